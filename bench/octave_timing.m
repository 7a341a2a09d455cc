% Times each MEX function from the host side on the benchmark workloads:
% tressin and sardovan on 128 sensors x 20,000 points x 1,000 samples, the
% karvelo store of that grid, pemrick on 2,000 sources x 256 sensors, and
% quillet on 3 x 1,280 triangles and 256 sensors. Median of three runs each.
function octave_timing()
  rand('seed', 1); randn('seed', 1);
  cap = electrode_cap(256, 0.09);
  R = random_grid(20000);
  sensors = cap(1:128, :);
  [~, L] = evalc('pemrick([0.02 0.01 0.04], sensors)');
  v = L * [0.3; -0.5; 0.8] * sin((1:1000) / 50) + 0.05 * randn(128, 1000);
  store = [tempname() '.store'];
  args = {1:128, sensors', [], [], [], R', v, 0.9, store};

  printf('%-42s %10s\n', 'call', 'seconds');
  report('karvelo  128 sensors x 20,000 points', @() quietly(@karvelo, args{:}));
  report('sardovan 128 x 20,000 x 1,000 samples', @() sardovan(args{:}));
  report('tressin  128 x 20,000 x 1,000 samples', @() quietly(@tressin, args{:}));
  report('pemrick  2,000 sources x 256 sensors', @() quietly(@pemrick, R(1:2000, :), cap));

  perSurface = 1280;
  N = 3 * perSurface;
  CoG = [electrode_cap(perSurface, 0.09); electrode_cap(perSurface, 0.081); ...
         electrode_cap(perSurface, 0.072)]';
  B = rand(N, N); B3 = rand(perSurface, perSurface);
  sIndex = round(linspace(1, perSurface, 256));
  report('quillet  3 x 1,280 triangles, 256 sensors', ...
         @() quillet([0.01 0.02 0.03], sIndex, CoG, [perSurface perSurface perSurface], B, B3));
  delete(store);
end

% Calls fn(args...) with what it prints collected and dropped.
function quietly(fn, varargin)
  evalc('fn(varargin{:});');
end

function report(name, call)
  times = zeros(1, 3);
  for k = 1:3
    start = tic();
    call();
    times(k) = toc(start);
  end
  printf('%-42s %10.3f\n', name, median(times));
end

function R = random_grid(count)
  R = zeros(0, 3);
  while rows(R) < count
    p = (rand(count, 3) * 2 - 1) * 0.07;
    R = [R; p(sum(p .^ 2, 2) < 0.07 ^ 2, :)];
  end
  R = R(1:count, :);
end
