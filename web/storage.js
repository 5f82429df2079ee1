// Keeps the player's folder, where the game writes its score file, in the
// browser's storage for the page's origin (IndexedDB): loaded before the
// program starts, and stored again by the program after every save
// (platform/emscripten/keep_folder.cpp). The folder is the one an installed
// game uses on Linux, under emscripten's home folder.
Module['preRun'] = [].concat(Module['preRun'] || [], function () {
  var folder = '/home/web_user/.local/share/orvessa';
  FS.mkdirTree(folder);
  FS.mount(IDBFS, {}, folder);
  addRunDependency('player-folder');
  FS.syncfs(true, function (error) {
    // Without storage (some private windows) the game still plays; its
    // scores last until the page closes.
    if (error) err('The scores kept in this browser cannot be read: ' + error);
    removeRunDependency('player-folder');
  });
});
