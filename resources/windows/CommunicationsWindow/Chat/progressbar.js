// Moves a transfer's progress bar and writes how much has gone: the bar's background
// slides from -51 px (nothing) to 0 px (all).
function setFtProgress(id, percent, transferred) {
    var bar = document.getElementById('progressbar-' + id);
    if (bar) {
        var value = Math.max(0, Math.min(100, Number(percent) || 0));
        bar.style.backgroundPosition = Math.trunc(value * 0.51 - 51) + 'px 0px';
    }
    var loaded = document.getElementById('ft_loaded-' + id);
    if (loaded)
        loaded.textContent = String(transferred);
}
