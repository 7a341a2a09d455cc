function test_package()
  % The Octave package: scripts/package.sh builds it, pkg installs it into a
  % temporary prefix (with temporary package lists, so the user's own are
  % never read or changed), pkg load puts its functions on the path, and
  % they run and show their help from there. Uninstalling removes it again.
  root = fileparts(fileparts(fileparts(mfilename('fullpath'))));
  folder = tempname();
  mkdir(folder);
  cleanup = onCleanup(@() remove_folder(folder));

  [status, output] = system(sprintf('"%s" "%s" 2>&1', fullfile(root, 'scripts', 'package.sh'), folder));
  assert(status == 0, 'package.sh failed:\n%s', output);
  tarball = glob(fullfile(folder, 'eegscan-*.tar.gz'));
  assert(numel(tarball) == 1, 'package.sh made %d tarballs', numel(tarball));
  listing = tar_listing(tarball{1});
  for part = {'/DESCRIPTION', '/INDEX', '/COPYING', '/src/Makefile', '/src/eegscan/CMakeLists.txt'}
    assert(any(cellfun(@(name) numel(name) >= numel(part{1}) && strcmp(name(end - numel(part{1}) + 1:end), part{1}), listing)), ...
           'the package lacks %s', part{1});
  end

  % Everything pkg keeps goes below the temporary folder; -local, because
  % pkg installs for the whole system when run as root.
  prefix = fullfile(folder, 'prefix');
  mkdir(prefix);
  pkg('prefix', prefix, prefix);
  pkg('local_list', fullfile(folder, 'local_packages'));
  pkg('global_list', fullfile(folder, 'global_packages'));
  % Functions of the same names elsewhere on the path (the build folder) go.
  while exist('pemrick', 'file')
    rmpath(fileparts(which('pemrick')));
  end

  output = evalc('pkg(''install'', ''-local'', tarball{1})');
  installed = pkg('list');
  assert(numel(installed) == 1 && strcmp(installed{1}.name, 'eegscan'), 'pkg list after install:\n%s', output);
  pkg('load', 'eegscan');
  names = {'pemrick', 'tressin', 'karvelo', 'oblindra', 'sardovan', 'quillet', 'norveth'};
  for k = 1:numel(names)
    where = which(names{k});
    assert(exist(names{k}) == 3, '%s is not a MEX function after pkg load', names{k});
    assert(strncmp(where, prefix, numel(prefix)), '%s comes from %s, not from the package', names{k}, where);
    text = evalc(['help ' names{k}]);
    assert(~isempty(strfind(text, ['eegscan:' names{k} ':'])), 'help %s shows no error identifiers', names{k});
  end

  % One function from the package, against its worked values.
  [printed, L] = evalc('pemrick([0.01 0.02 0.03], [0.09 0 0; 0 0.09 0; 0 0 0.09])');
  assert(strcmp(printed, '0.0100000.090000 0.000000 '), 'pemrick printed [%s]', printed);
  expect_close(L, [136.2047392 -20.92861868 -31.39292802;
                   -14.04437574 161.4214735 -42.13312721;
                   -20.75421431 -41.50842863 203.8446223], 10, 'pemrick from the package');
  W = quillet([0 0 0], 1, [1; 0; 0], [1 0 0], 1, []);
  expect_close(W, [0.0521232439; 0; 0], 9, 'quillet from the package');

  pkg('unload', 'eegscan');
  assert(~exist('pemrick', 'file'), 'pemrick still on the path after pkg unload');
  pkg('uninstall', '-local', 'eegscan');
  assert(isempty(pkg('list')), 'eegscan still listed after uninstall');
  assert(isempty(glob(fullfile(prefix, 'eegscan*'))), 'uninstall left files in the prefix');
  disp('test_package passed');
end

function names = tar_listing(tarball)
  [status, output] = system(sprintf('tar tzf "%s"', tarball));
  assert(status == 0, 'tar cannot read %s', tarball);
  names = strsplit(strtrim(output), "\n");
end

function remove_folder(folder)
  confirm_recursive_rmdir(false, 'local');
  rmdir(folder, 's');
end
