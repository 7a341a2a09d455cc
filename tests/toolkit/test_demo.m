function test_demo()
  % The demo of scripts/demo.sh from start to end: it must finish, find both
  % dipoles at the V1 peaks within 5 mm (the grid spacing), see sardovan and
  % tressin agree, pick one signal dimension per dipole, and leave its PNG.
  folder = tempname();
  mkdir(folder);
  cleanup = onCleanup(@() remove_folder(folder));
  text = evalc('eegscan_demo(folder)');
  printf('%s', text);

  assert(~isempty(strfind(text, 'agree bit for bit')), 'no agreement of sardovan and tressin reported');
  assert(~isempty(strfind(text, 'signal subspace of dimension 2, one per dipole')), 'signal dimension');
  errors = regexp(text, 'The V1 peaks lie ([\d.]+) and ([\d.]+) mm', 'tokens', 'once');
  assert(numel(errors) == 2, 'no V1 localisation errors in the summary');
  assert(all(str2double(errors) < 5), 'V1 peaks %s and %s mm from the dipoles', errors{:});
  png = fullfile(folder, 'eegscan_music_map.png');
  assert(exist(png, 'file') == 2, 'no PNG at %s', png);
  info = imfinfo(png);
  assert(info.Width > 400 && info.Height > 200, 'PNG of %d x %d pixels', info.Width, info.Height);
  assert(~isempty(strfind(text, png)), 'the PNG''s path is not printed');
  disp('test_demo passed');
end

function remove_folder(folder)
  confirm_recursive_rmdir(false, 'local');
  rmdir(folder, 's');
end
