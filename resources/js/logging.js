.pragma library

// Builds a log record for a Logger item: encode(logger, Logger.EInfo, "text", context(err)).
function encode(logger, level, msg, ctx) {
    return logger.encode(level, msg, ctx[0], ctx[1], ctx[2]);
}

// [file, line, function] of the place that threw err. The engine names each function of
// the error's stack ("name@file:line", innermost first). Scenes throw inside an anonymous
// function, which has no name, so the function is the first one that has a name.
function context(err) {
    if (err === undefined || err === null)
        return ["", 0, ""];
    var func = "";
    var frames = err.stack === undefined ? [] : String(err.stack).split("\n");
    for (var i = 0; i < frames.length && func === ""; ++i) {
        var at = frames[i].indexOf("@");
        if (at > 0)
            func = frames[i].substring(0, at).trim();
    }
    return [err.fileName === undefined ? "" : err.fileName,
            err.lineNumber === undefined ? 0 : err.lineNumber,
            func];
}
