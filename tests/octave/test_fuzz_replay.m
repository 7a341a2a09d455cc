function test_fuzz_replay(file)
  % test_fuzz_replay(file): repeats the call that test_fuzz saved in file
  % (its last_call.mat), after printing it as Octave code. Run it from the
  % folder test_fuzz used (the "work" folder beside the file) when the call
  % names relative paths.
  loaded = load(file);
  call = loaded.call;
  printf('%s\n', test_fuzz_call_code(call));
  fflush(stdout);
  fn = str2func(call.name);
  out = cell(1, call.nout);
  if call.nout == 0
    fn(call.args{:});
  else
    [out{:}] = fn(call.args{:});
  end
  printf('the call returned\n');
end
