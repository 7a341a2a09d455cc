function [index, value] = grid_peaks(R, values, spacing, count)
  % [index, value] = grid_peaks(R, values, spacing, count): the `count`
  % largest local maxima of `values` over the grid R (3 x nPoints, points on
  % a cubic lattice of the given spacing). A point is a local maximum when
  % none of its 26 lattice neighbours that belong to the grid holds a larger
  % value. NaN counts as the smallest value. index holds column numbers of R,
  % value the values there, both sorted by decreasing value.
  values = values(:)';
  values(isnan(values)) = -Inf;
  % Lattice coordinates from 2 upward, so that every neighbour index is >= 1.
  lattice = round(R / spacing);
  lattice = lattice - min(lattice, [], 2) + 2;
  dims = max(lattice, [], 2)' + 1;
  volume = -Inf(dims);
  volume(sub2ind(dims, lattice(1, :), lattice(2, :), lattice(3, :))) = values;
  isPeak = true(size(values));
  for dx = -1:1
    for dy = -1:1
      for dz = -1:1
        if dx == 0 && dy == 0 && dz == 0
          continue;
        end
        neighbour = volume(sub2ind(dims, lattice(1, :) + dx, lattice(2, :) + dy, lattice(3, :) + dz));
        isPeak = isPeak & values >= neighbour;
      end
    end
  end
  index = find(isPeak & values > -Inf);
  [value, order] = sort(values(index), 'descend');
  index = index(order);
  keep = 1:min(count, numel(index));
  index = index(keep);
  value = value(keep);
end
