function cap = electrode_cap(count, radius)
  % cap = electrode_cap(count, radius): count electrodes spread evenly over
  % the upper part of a sphere of the given radius (polar angle up to about
  % 110 degrees), one electrode per row (count x 3).
  k = (0:count - 1)';
  lowest = cosd(110);
  z = 1 - (k + 0.5) / count * (1 - lowest);
  azimuth = k * pi * (3 - sqrt(5));
  ring = sqrt(1 - z .^ 2);
  cap = radius * [ring .* cos(azimuth), ring .* sin(azimuth), z];
end
