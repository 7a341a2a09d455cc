function f = scan_fixture(nSensors)
  % f = scan_fixture(nSensors): a small scan problem. nSensors electrodes on
  % the upper part of a sphere of radius 0.09 m (CoG, 3 x nSensors, one site
  % per column), a grid R (3 x nPoints) of a few points inside the head, and
  % data v (nSensors x 40) of one dipole placed on grid point f.source
  % (computed with pemrick) with a little fixed pseudo-random noise.
  k = (0:nSensors - 1)';
  z = 1 - (k + 0.5) / nSensors * (1 - cosd(110));
  azimuth = k * pi * (3 - sqrt(5));
  ring = sqrt(1 - z .^ 2);
  cap = 0.09 * [ring .* cos(azimuth), ring .* sin(azimuth), z];
  f.CoG = cap';
  f.sIndex = 1:nSensors;
  [gx, gy, gz] = ndgrid(-0.03:0.015:0.03, -0.03:0.015:0.03, 0:0.015:0.045);
  f.R = [gx(:) gy(:) gz(:)]';
  f.source = 38;
  moment = [0.3; -0.5; 0.8];
  [~, L] = evalc('pemrick(f.R(:, f.source)'', cap)');
  t = (1:40) / 40;
  randn('state', 42);
  signal = (L * moment) * sin(2 * pi * 3 * t);
  f.v = signal + 1e-3 * max(abs(signal(:))) * randn(nSensors, numel(t));
  f.EPSILON = 0.9;
  f.args = @(fname) {f.sIndex, f.CoG, [], [], [], f.R, f.v, f.EPSILON, fname};
end
