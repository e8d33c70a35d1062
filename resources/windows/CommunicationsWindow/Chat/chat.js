// The chat page's side of the bridge named "qml": the program stores a fragment, a name or
// a transfer's inner HTML in the bridge and calls one of these functions to place it.
// Every fragment is built and escaped by the program; this script only places it.
// A long history opens with only its newest items; scrolling near the top takes the older
// ones from the bridge, a chunk at a time, without moving what the user is reading. While
// the page follows new items at the bottom, the oldest shown ones go onto a shelf, so that
// placing an item costs the same however long the chat runs; they come back the same way.

// How close to the top (in px) the page fetches older items.
var olderMargin = 400;
// How many elements the list holds at most while it follows new items, and how many come
// back from the shelf at a time.
var maxShown = 300;
var shelfChunk = 100;
var shelf = document.createElement('div');
// The latest name of each participant and the latest inner HTML of each transfer, for the
// older items that reach the page after the news.
var names = {};
var transfers = {};

function messageList() {
    return document.getElementById('messagelist');
}

function nearBottom() {
    return window.innerHeight + window.pageYOffset >= document.body.scrollHeight - 40;
}

function scrollToBottom() {
    window.scrollTo(0, document.body.scrollHeight);
}

// The nodes of the holder, brought up to date with the names and transfers told of so far.
function refreshed(holder) {
    var senders = holder.getElementsByClassName('sender');
    for (var i = 0; i < senders.length; ++i) {
        for (var contactId in names) {
            if (senders[i].classList.contains(contactId))
                senders[i].textContent = names[contactId];
        }
    }
    var blocks = holder.getElementsByClassName('filetransfer');
    for (var j = 0; j < blocks.length; ++j) {
        var id = blocks[j].id.substring('filetransfer-'.length);
        if (transfers.hasOwnProperty(id))
            blocks[j].innerHTML = transfers[id];
    }
    var fragment = document.createDocumentFragment();
    while (holder.firstChild)
        fragment.appendChild(holder.firstChild);
    return fragment;
}

// The nodes of an HTML fragment built by the program.
function parse(html) {
    var holder = document.createElement('div');
    holder.innerHTML = html;
    return refreshed(holder);
}

// The newest nodes not on the page: from the shelf first, then from the bridge.
function olderNodes() {
    if (shelf.firstChild) {
        var holder = document.createElement('div');
        var count = 0;
        while (shelf.lastChild && count < shelfChunk) {
            if (shelf.lastChild.nodeType == Node.ELEMENT_NODE)
                ++count;
            holder.insertBefore(shelf.lastChild, holder.firstChild);
        }
        return refreshed(holder);
    }
    if (window.qml.hasOlder())
        return parse(window.qml.takeOlder());
    return null;
}

// Moves the oldest elements beyond maxShown onto the shelf.
function shelve(list) {
    while (list.childElementCount > maxShown)
        shelf.appendChild(list.firstChild);
}

// The bridge's latest fragment goes after the last one, or first when prepend is true.
function addMessage(prepend) {
    var list = messageList();
    if (!list)
        return;
    var follow = prepend ? false : nearBottom();
    var fragment = parse(window.qml.getLatestMessage());
    if (prepend && shelf.firstChild)
        shelf.insertBefore(fragment, shelf.firstChild);
    else if (prepend && list.firstChild)
        list.insertBefore(fragment, list.firstChild);
    else
        list.appendChild(fragment);
    if (follow) {
        shelve(list);
        scrollToBottom();
    }
}

// Puts the next chunk of older items at the top; what was shown stays where it was on
// the screen. Returns whether there was any.
function loadOlder() {
    var list = messageList();
    var fragment = list ? olderNodes() : null;
    if (!fragment)
        return false;
    var height = document.body.scrollHeight;
    list.insertBefore(fragment, list.firstChild);
    window.scrollBy(0, document.body.scrollHeight - height);
    return true;
}

// Older items until the page can scroll, so that the user can reach the rest.
function fillPage() {
    while (document.body.scrollHeight <= window.innerHeight + olderMargin && loadOlder()) {}
}

// Every sender line of the participant shows the bridge's latest name, as text.
function changeName(contactId) {
    var name = window.qml.getLatestMessage();
    names[contactId] = name;
    var senders = document.getElementsByClassName('sender');
    for (var i = 0; i < senders.length; ++i) {
        if (senders[i].classList.contains(contactId))
            senders[i].textContent = name;
    }
}

// The transfer's block takes the bridge's latest inner HTML.
function updateFt(id) {
    var html = window.qml.getLatestMessage();
    transfers[id] = html;
    var block = document.getElementById('filetransfer-' + id);
    if (block)
        block.innerHTML = html;
}

window.onload = function() {
    fillPage();
    scrollToBottom();
};

window.onscroll = function() {
    if (window.pageYOffset < olderMargin)
        loadOlder();
};
