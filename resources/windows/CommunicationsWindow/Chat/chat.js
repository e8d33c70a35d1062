// The chat page's side of the bridge named "qml": the program stores a fragment, a name or
// a transfer's inner HTML in the bridge and calls one of these functions to place it.
// Every fragment is built and escaped by the program; this script only places it.

function messageList() {
    return document.getElementById('messagelist');
}

function nearBottom() {
    return window.innerHeight + window.pageYOffset >= document.body.scrollHeight - 40;
}

function scrollToBottom() {
    window.scrollTo(0, document.body.scrollHeight);
}

// The bridge's latest fragment goes after the last one, or first when prepend is true.
function addMessage(prepend) {
    var list = messageList();
    if (!list)
        return;
    var follow = prepend ? false : nearBottom();
    var holder = document.createElement('div');
    holder.innerHTML = window.qml.getLatestMessage();
    var fragment = document.createDocumentFragment();
    while (holder.firstChild)
        fragment.appendChild(holder.firstChild);
    if (prepend && list.firstChild)
        list.insertBefore(fragment, list.firstChild);
    else
        list.appendChild(fragment);
    if (follow)
        scrollToBottom();
}

// Every sender line of the participant shows the bridge's latest name, as text.
function changeName(contactId) {
    var name = window.qml.getLatestMessage();
    var senders = document.getElementsByClassName('sender');
    for (var i = 0; i < senders.length; ++i) {
        if (senders[i].classList.contains(contactId))
            senders[i].textContent = name;
    }
}

// The transfer's block takes the bridge's latest inner HTML.
function updateFt(id) {
    var block = document.getElementById('filetransfer-' + id);
    if (block)
        block.innerHTML = window.qml.getLatestMessage();
}

window.onload = scrollToBottom;
