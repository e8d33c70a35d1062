.pragma library

// Builds a log record for a Logger item: encode(logger, Logger.EInfo, "text", context(err)).
function encode(logger, level, msg, ctx) {
    return logger.encode(level, msg, ctx[0], ctx[1], ctx[2]);
}

// [file, line, function] of the place that threw err. The engine names the function in
// the first frame of the error's stack ("name@file:line"); an anonymous one has no name.
function context(err) {
    if (err === undefined)
        return ["", 0, ""];
    var func = "";
    var stack = err.stack === undefined ? "" : String(err.stack);
    var frame = stack.split("\n")[0];
    var at = frame.indexOf("@");
    if (at > 0)
        func = frame.substring(0, at).trim();
    return [err.fileName === undefined ? "" : err.fileName,
            err.lineNumber === undefined ? 0 : err.lineNumber,
            func];
}
