// A link names what the page opens, as the command line does on the desktop:
//   index.html?level=house.glb&level-scale=0.01&up=z   index.html?model=knight.md2&skin=knight.pcx
// The named files are fetched (relative to the page, or from any address the browser may read)
// into /linked before the program starts, with the files a .gltf, .glb or .obj names beside
// them; the program then opens them as it opens dropped files. Other parameters are the link's
// own business.
(function () {
  var query = new URLSearchParams(location.search);
  var args = [];
  ['level-scale', 'up'].forEach(function (name) {
    if (query.has(name))
      args.push('--' + name, query.get(name));
  });
  Module['arguments'] = args;
  Module['linked'] = {};
  var named = ['level', 'model', 'skin'].filter(function (name) { return query.get(name); });
  if (!named.length)
    return;

  function shown(address) {
    try { return decodeURI(address); } catch (e) { return address; }
  }

  function fetchBytes(address) {
    var refused = function (why) { return new Error(shown(address) + ': cannot fetch the file (' + why + ')'); };
    return fetch(address).then(function (response) {
      if (!response.ok)
        throw refused(response.status + ' ' + response.statusText);
      return response.arrayBuffer();
    }, function () { throw refused('the browser may not read it'); }).then(function (buffer) { return new Uint8Array(buffer); });
  }

  // Where a file named inside another goes: its path below /linked as given, or its bare name
  // where the path is absolute or climbs out (the program looks for it there too).
  function placeFor(name) {
    var parts = name.split(/[\\/]/);
    var clean = !/^[a-z][a-z0-9+.-]*:/i.test(name) && parts.every(function (part) { return part !== '..' && part !== '.'; }) && parts[0] !== '';
    return '/linked/' + (clean ? parts.join('/') : parts[parts.length - 1]);
  }

  function write(place, bytes) {
    var folder = '';
    place.split('/').slice(1, -1).forEach(function (part) {
      folder += '/' + part;
      try { FS.mkdir(folder); } catch (e) {}
    });
    FS.writeFile(place, bytes);
  }

  // The files a .gltf or .glb (buffers, images) or an .obj (its .mtl files, their pictures) names.
  function namedFiles(place, bytes) {
    var text = new TextDecoder().decode(bytes);
    // A .glb's JSON is its first chunk, after the 12 bytes of its header and the chunk's 8.
    if (/\.glb$/i.test(place))
      text = new TextDecoder().decode(bytes.subarray(20, 20 + new DataView(bytes.buffer).getUint32(12, true)));
    if (/\.gl(tf|b)$/i.test(place)) {
      var gltf = JSON.parse(text);
      return [].concat(gltf.buffers || [], gltf.images || []).map(function (item) { return item.uri; })
        .filter(function (uri) { return typeof uri === 'string' && !/^data:/i.test(uri); }).map(decodeURIComponent);
    }
    var pattern = /\.obj$/i.test(place) ? /^\s*mtllib\s+(.+)$/gm : /\.mtl$/i.test(place) ? /^\s*map_(?:Kd|d)\s+(?:.*\s)?(\S+)\s*$/gm : null;
    var names = [];
    for (var match; pattern && (match = pattern.exec(text));)
      names = names.concat(/\.obj$/i.test(place) ? match[1].trim().split(/\s+/) : [match[1]]);
    return names;
  }

  // Fetches one file and, for a building, what it names; a file named inside that cannot be
  // fetched is left to the program, which says what it misses as for any building.
  var fetched = {};
  function fetchInto(address, place, inside) {
    if (fetched[place])
      return Promise.resolve();
    fetched[place] = true;
    return fetchBytes(address).then(function (bytes) {
      write(place, bytes);
      var names = [];
      try { names = namedFiles(place, bytes); } catch (e) {}
      return Promise.all(names.map(function (name) {
        return fetchInto(new URL(name.split('\\').join('/'), address).href, placeFor(name), true);
      }));
    }, function (error) {
      if (!inside)
        throw error;
    });
  }

  Module['preRun'] = [].concat(Module['preRun'] || [], function () {
    addRunDependency('linked');
    Promise.all(named.map(function (name) {
      var address = new URL(query.get(name), location.href).href;
      var place = '/linked/' + decodeURIComponent(new URL(address).pathname.split('/').pop());
      return fetchInto(address, place, false).then(function () { Module['linked'][name] = place; });
    })).catch(function (error) {
      Module['linked'] = {problem: error.message};
    }).then(function () {
      removeRunDependency('linked');
    });
  });
})();
