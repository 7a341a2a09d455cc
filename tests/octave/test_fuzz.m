function test_fuzz(nCalls, seed)
  % test_fuzz([nCalls[, seed]]): calls the toolkit's functions nCalls times
  % (default 6000) with random arguments from a fixed seed (default 1): random
  % argument and output counts, classes (double, single, integers, logical,
  % char, cell, struct, complex, sparse, function handles, empty), shapes,
  % NaN and Inf, out-of-range indices and bad paths, most of them one or two
  % changes away from a valid call so that the checks deep inside the
  % functions are reached too. Every call must return or raise an error whose
  % identifier is eegscan:<function>:<kind>. Paths point only into a
  % temporary folder (the calls run with it as the current folder); at the
  % end no half-written store (".partial-") may be left and nothing may have
  % appeared beside it. Octave dying, or a hang, fails the run outright.
  %
  % Run longer by hand, e.g. test_fuzz(200000, 7). Before each call its
  % arguments are saved to last_call.mat in the temporary folder, whose path
  % is printed first; if Octave dies, test_fuzz_replay(thatFile) repeats it.
  if nargin < 1
    nCalls = 6000;
  end
  if nargin < 2
    seed = 1;
  end
  rand('twister', seed);
  randn('state', seed);

  root = tempname();
  work = fullfile(root, 'work');
  mkdir(root);
  mkdir(work);
  lastCall = fullfile(root, 'last_call.mat');
  printf('test_fuzz: %d calls, seed %d; each call is saved to %s before it runs\n', nCalls, seed, lastCall);
  fflush(stdout);
  home = pwd;
  homeBefore = sort({dir(home).name});
  cd(work);
  restore = onCleanup(@() cd(home));

  context = make_context(root, work);
  functions = function_table();
  names = {functions.name};
  printf('functions: %s\n', strjoin(names, ', '));

  outcomeKinds = {};
  outcomeCounts = [];
  failures = {};
  for k = 1:nCalls
    f = functions(pick(numel(functions)));
    call = make_call(f, context);
    save('-binary', lastCall, 'call');
    [kind, problem] = run_call(call, f.nMade);
    seen = strcmp(outcomeKinds, kind);
    if any(seen)
      outcomeCounts(seen) += 1;
    else
      outcomeKinds{end + 1} = kind;
      outcomeCounts(end + 1) = 1;
    end
    if ~isempty(problem)
      failures{end + 1} = sprintf('call %d: %s\n  %s', k, problem, call_code(call));
      if numel(failures) >= 20
        break;
      end
    end
    if f.writesStore
      partial = partial_files(root);
      if ~isempty(partial)
        failures{end + 1} = sprintf('call %d left %s\n  %s', k, strjoin(partial, ', '), call_code(call));
        cellfun(@delete, partial);
      end
    end
    if mod(k, 1000) == 0
      printf('  %d calls\n', k);
      fflush(stdout);
    end
  end

  printf('outcomes:\n');
  usual = '^eegscan:\w+:(usage|inputCount|outputCount|badInput|file|store|numeric|outOfMemory|failed)$';
  [outcomeKinds, order] = sort(outcomeKinds);
  outcomeCounts = outcomeCounts(order);
  for k = 1:numel(outcomeKinds)
    note = '';
    if strncmp(outcomeKinds{k}, 'eegscan:', 8) && isempty(regexp(outcomeKinds{k}, usual, 'once'))
      note = '   (a kind beyond the usual ones)';
    end
    printf('  %6d  %s%s\n', outcomeCounts(k), outcomeKinds{k}, note);
  end
  cd(home);
  leftovers = partial_files(root);
  if ~isempty(leftovers)
    failures{end + 1} = ['half-written stores left: ' strjoin(leftovers, ', ')];
  end
  top = setdiff({dir(root).name}, {'.', '..', 'work', 'stores', 'last_call.mat'});
  if ~isempty(top)
    failures{end + 1} = ['written beside the work folder: ' strjoin(top, ', ')];
  end
  homeAfter = sort({dir(home).name});
  if ~isequal(homeBefore, homeAfter)
    failures{end + 1} = ['written into the starting folder: ' strjoin(setxor(homeBefore, homeAfter), ', ')];
  end
  if ~isempty(failures)
    error('test:fuzz', '%d problem(s):\n%s', numel(failures), strjoin(failures, '\n'));
  end
  confirm_recursive_rmdir(false, 'local');
  rmdir(root, 's');
  printf('test_fuzz passed\n');
end

% ---------------------------------------------------------------------------
% The functions under test.

function functions = function_table()
  % name, inputs in a valid call, outputs the function makes, maker of valid
  % arguments, whether it writes a store.
  scan = @(name, maker, writes) struct('name', name, 'nInputs', 9, 'nMade', 2, ...
                                       'valid', maker, 'writesStore', writes);
  functions = [
    struct('name', 'pemrick', 'nInputs', 2, 'nMade', 1, 'valid', @valid_pemrick, 'writesStore', false)
    scan('tressin', @valid_tressin, false)
    scan('karvelo', @valid_precompute, true)
    scan('oblindra', @valid_precompute, true)
    scan('sardovan', @valid_sardovan, false)
    struct('name', 'quillet', 'nInputs', 6, 'nMade', 1, 'valid', @valid_bem, 'writesStore', false)
    struct('name', 'norveth', 'nInputs', 6, 'nMade', 1, 'valid', @valid_bem, 'writesStore', false)
  ];
  if exist('bem_matrices', 'file') == 3
    functions(end + 1) = struct('name', 'bem_matrices', 'nInputs', 7, 'nMade', 4, ...
                                'valid', @valid_bem_matrices, 'writesStore', false);
  end
end

function context = make_context(root, work)
  % Stores for sardovan (one per sensor count, 6 points each), files and
  % folders for the path arguments.
  context.work = work;
  stores = fullfile(root, 'stores');
  mkdir(stores);
  context.sensorCounts = [3 4 5 8];
  context.maxPoints = 6;
  context.stores = cell(1, max(context.sensorCounts));
  for n = context.sensorCounts
    problem = scan_problem(n, context.maxPoints);
    context.stores{n} = fullfile(stores, sprintf('s%d.store', n));
    evalc('karvelo(problem.sIndex, problem.CoG, [], [], [], problem.R, [], [], context.stores{n})');
  end
  mkdir(fullfile(work, 'folder'));
  fid = fopen(fullfile(work, 'short.store'), 'w'); fwrite(fid, zeros(1, 100)); fclose(fid);
  fid = fopen(fullfile(work, 'empty.store'), 'w'); fclose(fid);
  copyfile(context.stores{4}, fullfile(work, 'old.store'));
  % Paths: fresh names, existing stores of every kind, folders, names that
  % cannot be created, and odd text. All relative ones resolve inside work.
  context.paths = {
    'a.store', 'b.store', fullfile(work, 'c.store'), 'old.store', 'short.store', ...
    'empty.store', 'folder', '.', '..', fullfile(work, 'folder'), ...
    fullfile(work, 'no', 'such', 'folder', 'x.store'), fullfile('missing', 'x.store'), ...
    '', repmat('n', 1, 300), 'name with spaces.store', ['tab' char(9) 'name'], ...
    ['nul' char(0) 'after'], char([233 252 46 115]), context.stores{3}, context.stores{8}};
end

function problem = scan_problem(nSensors, nPoints)
  % Electrode sites on the upper part of a sphere of radius 0.09 (two more
  % than are used), a random choice of them, and random grid points inside.
  nSites = nSensors + 2;
  polar = linspace(0, 1.8, nSites);
  azimuth = (0:nSites - 1) * 2.4;
  problem.CoG = 0.09 * [sin(polar) .* cos(azimuth); sin(polar) .* sin(azimuth); cos(polar)];
  order = randperm(nSites);
  problem.sIndex = order(1:nSensors);
  problem.R = 0.06 * (2 * rand(3, nPoints) - 1) / sqrt(3);
  nSamples = pick(12);
  problem.v = randn(nSensors, nSamples);
  epsilons = [0.5 0.9 0.99 1 0 -1];
  problem.EPSILON = epsilons(pick(numel(epsilons)));
end

function args = valid_pemrick(~)
  sensors = scan_problem(pick([1 6]), 0).CoG';
  args = {0.05 * (2 * rand(pick(4), 3) - 1), sensors};
end

function args = scan_args(context, path)
  nSensors = context.sensorCounts(pick(numel(context.sensorCounts)));
  problem = scan_problem(nSensors, pick([0 context.maxPoints]));
  args = {problem.sIndex, problem.CoG, random_value(), random_value(), random_value(), ...
          problem.R, problem.v, problem.EPSILON, path};
  if strcmp(path, 'store')
    args{9} = context.stores{nSensors};
  end
end

function args = valid_tressin(context)
  args = scan_args(context, '');
end

function args = valid_precompute(context)
  names = {'a.store', 'b.store', 'old.store'};
  args = scan_args(context, names{pick(numel(names))});
end

function args = valid_sardovan(context)
  args = scan_args(context, 'store');
end

function args = valid_bem(~)
  if rand() < 0.5
    args = {[0 0 0], 1, [1; 0; 0], [1 0 0], 1, []};
  else
    N = 7;
    args = {0.5 * randn(1, 3), pick(N, 1, pick(4)), randn(3, N), [2 3 2], randn(N), randn(2)};
  end
end

function args = valid_bem_matrices(~)
  % Three nested octahedra, outward triangles, one-based vertex numbers.
  profiles = {'quillet', 'norveth'};
  [V, F] = octahedron();
  args = {profiles{pick(2)}, V, F, 0.9 * V, F, 0.8 * V, F};
end

function [V, F] = octahedron()
  V = [1 0 0; -1 0 0; 0 1 0; 0 -1 0; 0 0 1; 0 0 -1];
  F = zeros(8, 3);
  k = 0;
  for x = [1 2]
    for y = [3 4]
      for z = [5 6]
        k = k + 1;
        F(k, :) = [x y z];
        normal = cross(V(y, :) - V(x, :), V(z, :) - V(x, :));
        if dot(normal, V(x, :) + V(y, :) + V(z, :)) < 0
          F(k, :) = [x z y];
        end
      end
    end
  end
end

% ---------------------------------------------------------------------------
% Random calls.

function call = make_call(f, context)
  call.name = f.name;
  args = f.valid(context);
  % Mostly the right number of inputs; sometimes any number from 0 to 2 more.
  if rand() < 0.15
    count = pick([0 f.nInputs + 2]);
    if count > numel(args)
      args(end + 1:count) = arrayfun(@(~) random_value(), 1:count - numel(args), 'UniformOutput', false);
    end
    args = args(1:count);
  end
  % Usually one or two arguments changed, sometimes none or many.
  chance = rand();
  if chance < 0.1
    nChanged = 0;
  elseif chance < 0.9
    nChanged = min(numel(args), pick(2));
  else
    nChanged = numel(args);
  end
  order = randperm(numel(args));
  for p = order(1:nChanged)
    if is_path_position(f, p) && rand() < 0.6
      args{p} = context.paths{pick(numel(context.paths))};
    else
      args{p} = mutate(args{p});
    end
  end
  call.args = args;
  weights = cumsum([0.15 0.4 0.35 0.1]);
  call.nout = find(rand() <= weights, 1) - 1;
end

function yes = is_path_position(f, p)
  yes = f.nInputs == 9 && p == 9;
end

function value = mutate(value)
  switch pick(6)
    case 1  % anything at all
      value = random_value();
    case 2  % another class, same values
      value = convert(value, random_class());
    case 3  % a special value somewhere
      if isnumeric(value) && ~isempty(value) && ~issparse(value)
        specials = [NaN Inf -Inf 0 -1 -0.5 0.5 1e308 -1e308 2^31 2^53 1e-320 100 7.9];
        value = double(value);
        value(pick(numel(value))) = specials(pick(numel(specials)));
      else
        value = random_value();
      end
    case 4  % fewer or more elements
      if (isnumeric(value) || islogical(value) || ischar(value)) && ~issparse(value)
        if rand() < 0.5 && ~isempty(value)
          value = value(1:pick([0 numel(value) - 1]));
        else
          value = [value(:); convert(randn(pick(5), 1), class(value))];
        end
      else
        value = random_value();
      end
    case 5  % another shape
      if ~isempty(value) && ~issparse(value) && ~isa(value, 'function_handle')
        shapes = {[numel(value) 1], [1 numel(value)], [1 1 numel(value)]};
        value = reshape(value, shapes{pick(3)});
      else
        value = random_value();
      end
    case 6  % empty of some shape
      shapes = {[0 0], [0 3], [3 0], [1 0], [0 1 2]};
      value = convert(zeros(shapes{pick(numel(shapes))}), random_class());
  end
end

function name = random_class()
  classes = {'double', 'single', 'int8', 'uint8', 'int16', 'uint16', 'int32', 'uint32', ...
             'int64', 'uint64', 'logical', 'char', 'cell', 'struct', 'complex', 'sparse', ...
             'function_handle'};
  name = classes{pick(numel(classes))};
end

function value = random_value()
  shapes = {[1 1], [1 3], [3 1], [3 3], [3 5], [1 0], [0 0], [0 3], [2 2 2], [5 4], [1 7]};
  shape = shapes{pick(numel(shapes))};
  pool = [randn(1, 6) pick([-3 12], 1, 6) NaN Inf -Inf 0 1e308 2^40];
  value = reshape(pool(pick(numel(pool), 1, prod(shape))), shape);
  value = convert(value, random_class());
end

function value = convert(value, name)
  switch name
    case 'double'
      value = double_of(value);
    case 'complex'
      value = complex(double_of(value), 1);
    case 'sparse'
      value = double_of(value);
      if ndims(value) == 2
        value = sparse(value);
      end
    case 'logical'
      value = double_of(value);
      value(isnan(value)) = 1;
      value = logical(value);
    case 'char'
      % Printable text without '/', so that a name never leaves the folder.
      codes = min(abs(double_of(value)), 1e6);
      codes(isnan(codes)) = 65;
      codes = 32 + mod(round(codes * 7), 95);
      codes(codes == 47) = 95;
      value = char(codes);
    case 'cell'
      value = num2cell(double_of(value));
    case 'struct'
      value = struct('value', {double_of(value)});
    case 'function_handle'
      value = @sin;
    otherwise  % single and the integer classes
      value = cast(double_of(value), name);
  end
end

function value = double_of(value)
  if isnumeric(value) || islogical(value) || ischar(value)
    value = real(double(full(value)));
  elseif iscell(value) && all(cellfun(@(x) isnumeric(x) && isscalar(x), value(:)))
    value = reshape(real(double(cell2mat(value(:)))), size(value));
  else
    value = randn(1, 3);
  end
end

function k = pick(range, varargin)
  % Random whole numbers from 1 to range, or from range(1) to range(2), in
  % an array of the size varargin gives. (randi is much slower under the
  % address sanitizer.)
  if isscalar(range)
    range = [1 range];
  end
  k = range(1) + floor(rand(varargin{:}) * (range(2) - range(1) + 1));
end

% ---------------------------------------------------------------------------
% Running and judging one call.

function [kind, problem] = run_call(call, nMade)
  % kind: how the call ended ('returned' or the error identifier); problem:
  % empty, or what was wrong.
  problem = '';
  fn = str2func(call.name);
  args = call.args;
  try
    if call.nout == 0
      evalc('fn(args{:});');
    else
      % Named outputs, assigned inside evalc: through evalc's own outputs or
      % into a cell, Octave would not notice an output that was not made.
      names = strjoin(arrayfun(@(k) sprintf('out%d', k), 1:call.nout, 'UniformOutput', false), ', ');
      evalc(['[' names '] = fn(args{:});']);
    end
    kind = 'returned';
  catch err
    kind = err.identifier;
    if ~isempty(regexp(err.identifier, ['^eegscan:' call.name ':[A-Za-z]+$'], 'once'))
      return;
    end
    % Asking for more outputs than the function makes is answered by Octave.
    if call.nout > nMade && ~isempty(regexp(err.message, '^element number \d+ undefined in return list', 'once'))
      kind = 'more outputs than made';
      return;
    end
    if isempty(kind)
      kind = '(no identifier)';
    end
    problem = sprintf('error [%s] %s', err.identifier, err.message);
  end
end

function files = partial_files(root)
  % Every store path of the test lies at most three folders below root.
  files = glob({fullfile(root, '*.partial-*'), fullfile(root, '*', '*.partial-*'), ...
                fullfile(root, '*', '*', '*.partial-*'), fullfile(root, '*', '*', '*', '*.partial-*')});
  files = files';
end

function text = call_code(call)
  text = test_fuzz_call_code(call);
end
