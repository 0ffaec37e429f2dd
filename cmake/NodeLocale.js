// Run by Node, the runner reads the locale's variables from the shell as a
// native program does: emscripten's own environment would say LANG=C.UTF-8
// whatever the shell says. A variable the shell leaves unset stays unset.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  ['LC_ALL', 'LC_MESSAGES', 'LANG'].forEach(function (name) {
    ENV[name] = process.env[name];
  });
});
