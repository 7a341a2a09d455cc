function [V, F] = icosphere(levels, radius)
  % The icosahedron with each triangle split into four, `levels` times, new
  % vertices pushed out onto the sphere: 20 * 4^levels triangles,
  % counterclockwise seen from outside.
  g = (1 + sqrt(5)) / 2;
  V = [-1 g 0; 1 g 0; -1 -g 0; 1 -g 0; 0 -1 g; 0 1 g; 0 -1 -g; 0 1 -g; ...
       g 0 -1; g 0 1; -g 0 -1; -g 0 1];
  F = [1 12 6; 1 6 2; 1 2 8; 1 8 11; 1 11 12; 2 6 10; 6 12 5; 12 11 3; 11 8 7; 8 2 9; ...
       4 10 5; 4 5 3; 4 3 7; 4 7 9; 4 9 10; 5 10 6; 3 5 12; 7 3 11; 9 7 8; 10 9 2];
  V = V ./ sqrt(sum(V .^ 2, 2));
  for level = 1:levels
    m = rows(F);
    [edges, ~, which] = unique(sort([F(:, [1 2]); F(:, [2 3]); F(:, [3 1])], 2), 'rows');
    middle = V(edges(:, 1), :) + V(edges(:, 2), :);
    midpoint = rows(V) + which;
    V = [V; middle ./ sqrt(sum(middle .^ 2, 2))];
    ab = midpoint(1:m); bc = midpoint(m + 1:2 * m); ca = midpoint(2 * m + 1:3 * m);
    F = [F(:, 1) ab ca; F(:, 2) bc ab; F(:, 3) ca bc; ab bc ca];
  end
  V = radius * V;
end
