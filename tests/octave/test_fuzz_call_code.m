function text = test_fuzz_call_code(call)
  % text = test_fuzz_call_code(call): a call of test_fuzz (fields name, args,
  % nout) as one line of Octave code that repeats it.
  args = cellfun(@value_code, call.args, 'UniformOutput', false);
  outputs = '';
  if call.nout > 0
    outputs = ['[' strjoin(arrayfun(@(k) sprintf('o%d', k), 1:call.nout, 'UniformOutput', false), ',') '] = '];
  end
  text = sprintf('%s%s(%s)', outputs, call.name, strjoin(args, ', '));
end

function text = value_code(value)
  if isa(value, 'function_handle')
    text = func2str(value);
  elseif isstruct(value)
    fields = fieldnames(value);
    parts = cellfun(@(name) sprintf('''%s'', {%s}', name, value_code({value.(name)})), fields, ...
                    'UniformOutput', false);
    text = sprintf('reshape(struct(%s), %s)', strjoin(parts', ', '), mat2str(size(value)));
  elseif iscell(value)
    parts = cellfun(@value_code, value(:)', 'UniformOutput', false);
    text = sprintf('reshape({%s}, %s)', strjoin(parts, ', '), mat2str(size(value)));
  elseif issparse(value)
    text = sprintf('sparse(%s)', value_code(full(value)));
  elseif ndims(value) > 2
    text = sprintf('reshape(%s, %s)', value_code(value(:).'), mat2str(size(value)));
  elseif ischar(value)
    if isempty(value)
      text = sprintf('char(zeros(%d, %d))', rows(value), columns(value));
    else
      text = sprintf('char(%s)', mat2str(double(value)));
    end
  else
    text = mat2str(value, 17, 'class');
  end
end
