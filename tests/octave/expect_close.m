function expect_close(actual, expected, digits, what)
  % expect_close(actual, expected, digits, what): agreement to `digits`
  % significant digits, element by element, relative to the largest |expected|
  % of the array (values quoted to ten digits are rounded, not truncated).
  if ~isequal(size(actual), size(expected))
    error('test:size', '%s: size %s, expected %s', what, mat2str(size(actual)), mat2str(size(expected)));
  end
  scale = max(abs(expected(:)));
  if scale == 0, scale = 1; end
  bad = abs(actual - expected) > 0.5 * 10^(1 - digits) * max(abs(expected), scale * 1e-12);
  bad = bad & abs(actual - expected) > scale * 1e-15;
  if any(bad(:))
    error('test:value', '%s: got %s, expected %s', what, mat2str(actual, 12), mat2str(expected, 12));
  end
end
