function test_help()
  % help <name> for every MEX function: the text comes from the help file
  % beside the MEX file (which stays the function that runs), and shows the
  % call form, the arguments, the errors with their identifiers and an
  % example.
  names = {'pemrick', 'tressin', 'karvelo', 'oblindra', 'sardovan', 'quillet', 'norveth'};
  if exist('bem_matrices', 'file') == 3
    names{end + 1} = 'bem_matrices';
  end
  for k = 1:numel(names)
    name = names{k};
    assert(exist(name, 'file') == 3, '%s is not a MEX function on the path', name);
    text = evalc(['help ' name]);
    assert(~isempty(regexp(text, ['\<' name '\('], 'once')), 'help %s: no call form', name);
    assert(~isempty(strfind(text, ['eegscan:' name ':'])), 'help %s: no error identifiers', name);
    assert(~isempty(regexpi(text, 'Errors?\>', 'once')), 'help %s: no errors section', name);
    assert(~isempty(strfind(text, 'Example')), 'help %s: no example', name);
    assert(isempty(strfind(text, 'not documented')), 'help %s: %s', name, text);
  end
  disp('test_help passed');
end
