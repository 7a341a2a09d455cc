% pemrick through the real host: worked matrices, the block-reading rule,
% the printed text, the two count messages and a table of bad inputs.

% Worked matrices, ten significant digits.
[text, L] = evalc('pemrick([0.01 0.02 0.03], [0.09 0 0; 0 0.09 0; 0 0 0.09])');
assert(strcmp(text, '0.0100000.090000 0.000000 '), 'printed text: [%s]', text);
expect_close(L, [136.2047392 -20.92861868 -31.39292802;
                 -14.04437574 161.4214735 -42.13312721;
                 -20.75421431 -41.50842863 203.8446223], 10, 'three sensors');

[text, L] = evalc('pemrick([0 0 0.05; 0.03 0 0], [0 0 0.09; 0 0.09 0])');
assert(strcmp(text, '0.0000000.000000 0.000000 '), 'printed text: [%s]', text);
expect_close(L, [0 0 370.937176 -25.96225384 0 123.8663621;
                 0 110.1849251 -37.38058954 -25.96225384 123.8663621 0], 10, 'two sources');

% Block rule: a 1 x 7 vector holds two points (x1 x2 y1 y2 z1 z2), the 7th is ignored.
sensors = [0.09 0 0; 0 0.09 0; 0 0 0.09];
[~, L7] = evalc('pemrick([0.01 0.03 0.02 0 0.03 0.05 99], sensors)');
[~, Lrows] = evalc('pemrick([0.01 0.02 0.03; 0.03 0 0.05], sensors)');
assert(isequal(L7, Lrows), '1 x 7 input');
% A column is one point; a 3 x 2 matrix is read by blocks, not by columns.
[~, Lcol] = evalc('pemrick([0.01; 0.02; 0.03], sensors)');
[~, Lrow] = evalc('pemrick([0.01 0.02 0.03], sensors)');
assert(isequal(Lcol, Lrow), 'column input');
[~, L32] = evalc('pemrick([0.01 0.03; 0.02 0; 0.03 0.05], sensors)');
[~, Lblocks] = evalc('pemrick([0.01 0.03 0; 0.02 0.03 0.05], sensors)');
assert(isequal(L32, Lblocks), '3 x 2 read by blocks');

% Without an output variable the matrix comes back as ans.
evalc('pemrick([0.01 0.02 0.03], sensors); answer = ans;');
assert(isequal(answer, Lrow), 'ans');

% NaN and Inf coordinates are computed as they come.
[~, Lnan] = evalc('pemrick([NaN 0 0.03; Inf 0 0], sensors)');
assert(isequal(size(Lnan), [3 6]));

% The two count messages, exactly, and nothing printed.
msg1 = sprintf('2 input arguments needed. \n Usage: output=pemrick(argument1,argument2);');
msg2 = sprintf('One output argument needed:\n output=pemrick(argument1,argument2);');
text = evalc('expect_error(@() pemrick(1), ''eegscan:pemrick:inputCount'', msg1)');
assert(isempty(text));
expect_error(@() pemrick(), 'eegscan:pemrick:inputCount', msg1);
expect_error(@() pemrick(1, 2, 3), 'eegscan:pemrick:inputCount', msg1);
text = evalc('expect_error(@() call_with_outputs(2, @pemrick, [0.01 0.02 0.03], [0.09 0 0]), ''eegscan:pemrick:outputCount'', msg2)');
assert(isempty(text));

% Bad inputs: each answered with an error, before anything is printed.
source = [0.01 0.02 0.03];
bad = {
  'int32 source',    {int32([1 2 3]), sensors}
  'single sensors',  {source, single(sensors)}
  'logical',         {true(1, 3), sensors}
  'char',            {'abc', sensors}
  'complex',         {source, sensors + 1i}
  'sparse',          {sparse(source), sensors}
  'cell',            {{1, 2, 3}, sensors}
  'struct',          {struct('x', 1), sensors}
  'empty source',    {[], sensors}
  'two values',      {[0.01 0.02], sensors}
  'empty sensors',   {source, zeros(0, 3)}
  'centre sensor',   {source, [0 0 0; 0 0.09 0]}
};
for k = 1:rows(bad)
  args = bad{k, 2};
  text = evalc('expect_error(@() pemrick(args{:}), ''eegscan:pemrick:badInput'')');
  assert(isempty(text), '%s printed [%s]', bad{k, 1}, text);
end
disp('test_pemrick passed');
