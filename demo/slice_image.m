function [rgb, limits] = slice_image(R, values, spacing, sliceZ, headRadius, electrodes, sources, peaks)
  % [rgb, limits] = slice_image(R, values, spacing, sliceZ, headRadius,
  %                             electrodes, sources, peaks)
  % Renders the horizontal slice z = sliceZ of a map over the grid R
  % (3 x nPoints on a lattice of the given spacing, metres) as an RGB image
  % seen from above (x to the right, y up), with a colour bar on its right.
  % Colour is log10 of the value (viridis), over the range `limits` of the
  % slice's positive values; grid points with no positive value and places
  % outside the grid are white. Drawn on top: the scalp outline at that
  % height, the electrodes (N x 3, projected onto the plane) as black-ringed
  % white dots, the sources (K x 3) as red crosses and the peaks (P x 3) as
  % white rings. Needs no display: the result is a plain array for imwrite.
  pixel = 0.0004;
  half = headRadius + 0.006;
  along = -half:pixel:half;
  [px, py] = meshgrid(along, fliplr(along));

  % The slice as a lattice table, looked up by the nearest lattice point.
  inSlice = abs(R(3, :) - sliceZ) < spacing / 2;
  ix = round(R(1, inSlice) / spacing);
  iy = round(R(2, inSlice) / spacing);
  reach = round(half / spacing) + 1;
  table = NaN(2 * reach + 1);
  shown = values(inSlice);
  shown(~(shown > 0)) = NaN;
  table(sub2ind(size(table), ix + reach + 1, iy + reach + 1)) = log10(shown);
  lookup = table(sub2ind(size(table), round(px / spacing) + reach + 1, round(py / spacing) + reach + 1));

  finite = shown(isfinite(shown));
  limits = log10([min(finite), max(finite)]);
  if isempty(limits) || limits(2) <= limits(1)
    limits = [0 1];
  end
  palette = viridis(256);
  level = 1 + round(255 * (lookup - limits(1)) / (limits(2) - limits(1)));
  level = min(max(level, 1), 256);
  known = ~isnan(lookup);
  rgb = ones([size(px) 3]);
  for c = 1:3
    channel = ones(size(px));
    channel(known) = palette(level(known), c);
    rgb(:, :, c) = channel;
  end

  % Scalp outline at this height.
  scalp = sqrt(max(headRadius ^ 2 - sliceZ ^ 2, 0));
  rgb = paint(rgb, abs(hypot(px, py) - scalp) < 0.6 * pixel, [0.45 0.45 0.45]);
  % Electrodes, projected onto the plane.
  for k = 1:rows(electrodes)
    distance = hypot(px - electrodes(k, 1), py - electrodes(k, 2));
    rgb = paint(rgb, distance < 0.0013, [0 0 0]);
    rgb = paint(rgb, distance < 0.0008, [1 1 1]);
  end
  % True sources: crosses; peaks: rings.
  for k = 1:rows(sources)
    dx = abs(px - sources(k, 1));
    dy = abs(py - sources(k, 2));
    cross = (dx < 0.0035 & dy < 0.0005) | (dy < 0.0035 & dx < 0.0005);
    rgb = paint(rgb, cross, [0.9 0.1 0.1]);
  end
  for k = 1:rows(peaks)
    distance = hypot(px - peaks(k, 1), py - peaks(k, 2));
    rgb = paint(rgb, abs(distance - 0.004) < 0.0005, [1 1 1]);
  end

  % Colour bar: the palette from the top (largest) to the bottom, after a gap.
  height = rows(px);
  bar = ones(height, 30, 3);
  ramp = flipud(palette(1 + round(255 * (0:height - 1)' / (height - 1)), :));
  for c = 1:3
    bar(:, 10:25, c) = repmat(ramp(:, c), 1, 16);
  end
  rgb = [rgb, bar];
end

function rgb = paint(rgb, mask, colour)
  for c = 1:3
    channel = rgb(:, :, c);
    channel(mask) = colour(c);
    rgb(:, :, c) = channel;
  end
end
