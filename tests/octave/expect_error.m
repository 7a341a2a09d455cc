function expect_error(call, identifier, message)
  % expect_error(call, identifier[, message]): call() must raise an error with
  % this identifier (and, when given, exactly this message; Octave puts the
  % MEX function's name and ': ' before the text of a MEX error).
  try
    call();
  catch err
    if ~strcmp(err.identifier, identifier)
      error('test:wrongIdentifier', 'expected error %s, got %s: %s', ...
            identifier, err.identifier, err.message);
    end
    shown = regexprep(err.message, '^[a-z_]+: ', '', 'once');
    if nargin > 2 && ~strcmp(shown, message)
      error('test:wrongMessage', 'expected message [%s], got [%s]', message, err.message);
    end
    return;
  end
  error('test:noError', 'expected error %s, but the call returned', identifier);
end
