% Line-by-line Octave transcription of svdcmp, kept only to produce the
% bit-exact expected values of the unit tests (make_reference_values.m).
function [a, w, v] = reference_svdcmp(a)
  [m, n] = size(a);
  w = zeros(n,1); v = zeros(n); e = zeros(n,1);
  g = 0; scale = 0; N = 0;
  for i = 1:n
    l = i + 1;
    e(i) = scale*g; g = 0; s = 0; scale = 0;
    if i <= m
      for k = i:m, scale = scale + abs(a(k,i)); end
      if scale ~= 0
        for k = i:m, a(k,i) = a(k,i)/scale; s = s + a(k,i)*a(k,i); end
        f = a(i,i); g = -sgn(sqrt(s), f); h = f*g - s; a(i,i) = f - g;
        if i ~= n
          for j = l:n
            sig = 0; for k = i:m, sig = sig + a(k,i)*a(k,j); end
            f = sig/h;
            for k = i:m, a(k,j) = a(k,j) + f*a(k,i); end
          end
        end
        for k = i:m, a(k,i) = scale*a(k,i); end
      end
    end
    w(i) = scale*g; g = 0; s = 0; scale = 0;
    if i <= m && i ~= n
      for k = l:n, scale = scale + abs(a(i,k)); end
      if scale ~= 0
        for k = l:n, a(i,k) = a(i,k)/scale; s = s + a(i,k)*a(i,k); end
        f = a(i,l); g = -sgn(sqrt(s), f); h = f*g - s; a(i,l) = f - g;
        for k = l:n, e(k) = a(i,k)/h; end
        if i ~= m
          for j = l:m
            sig = 0; for k = l:n, sig = sig + a(j,k)*a(i,k); end
            for k = l:n, a(j,k) = a(j,k) + sig*e(k); end
          end
        end
        for k = l:n, a(i,k) = scale*a(i,k); end
      end
    end
    x = abs(w(i)) + abs(e(i));
    if x > N, N = x; end
  end
  g = 0; l = n + 1;
  for i = n:-1:1
    if i < n
      if g ~= 0
        for j = l:n, v(j,i) = (a(i,j)/a(i,l))/g; end
        for j = l:n
          sig = 0; for k = l:n, sig = sig + a(i,k)*v(k,j); end
          for k = l:n, v(k,j) = v(k,j) + sig*v(k,i); end
        end
      end
      for j = l:n, v(i,j) = 0; v(j,i) = 0; end
    end
    v(i,i) = 1; g = e(i); l = i;
  end
  for i = n:-1:1
    l = i + 1; g = w(i);
    if i < n, for j = l:n, a(i,j) = 0; end, end
    if g ~= 0
      g = 1/g;
      if i ~= n
        for j = l:n
          sig = 0; for k = l:m, sig = sig + a(k,i)*a(k,j); end
          f = (sig/a(i,i))*g;
          for k = i:m, a(k,j) = a(k,j) + f*a(k,i); end
        end
      end
      for j = i:m, a(j,i) = g*a(j,i); end
    else
      for j = i:m, a(j,i) = 0; end
    end
    a(i,i) = a(i,i) + 1;
  end
  for k = n:-1:1
    its = 0;
    while true
      its = its + 1;
      cancel = false;
      for l = k:-1:1
        if l == 1 || (abs(e(l)) + N) == N, break; end
        if (abs(w(l-1)) + N) == N, cancel = true; break; end
      end
      if cancel
        nm = l - 1; c = 0; s = 1;
        for i = l:k
          f = s*e(i); e(i) = c*e(i);
          if (abs(f) + N) == N, break; end
          g = w(i); h = hyp(f, g); w(i) = h; h = 1/h; c = g*h; s = -(f*h);
          for j = 1:m, y = a(j,nm); zz = a(j,i); a(j,nm) = y*c + zz*s; a(j,i) = zz*c - y*s; end
        end
      end
      z = w(k);
      if l == k
        if z < 0, w(k) = -z; for j = 1:n, v(j,k) = -v(j,k); end, end
        break;
      end
      if its == 30, error('No convergence in 30 SVDCMP iterations'); end
      x = w(l); nm = k - 1; y = w(nm); g = e(nm); h = e(k);
      f = ((y - z)*(y + z) + (g - h)*(g + h))/(2*h*y);
      g = hyp(f, 1);
      f = ((x - z)*(x + z) + h*((y/(f + sgn(g, f))) - h))/x;
      c = 1; s = 1;
      for j = l:nm
        i = j + 1;
        g = e(i); y = w(i); h = s*g; g = c*g;
        z = hyp(f, h); e(j) = z; c = f/z; s = h/z;
        f = x*c + g*s; g = g*c - x*s; h = y*s; y = y*c;
        for jj = 1:n, xx = v(jj,j); zz = v(jj,i); v(jj,j) = xx*c + zz*s; v(jj,i) = zz*c - xx*s; end
        z = hyp(f, h); w(j) = z;
        if z ~= 0, z = 1/z; c = f*z; s = h*z; end
        f = c*g + s*y; x = c*y - s*g;
        for jj = 1:m, yy = a(jj,j); zz = a(jj,i); a(jj,j) = yy*c + zz*s; a(jj,i) = zz*c - yy*s; end
      end
      e(l) = 0; e(k) = f; w(k) = x;
    end
  end
end
function r = hyp(x, y)
  ax = abs(x); ay = abs(y);
  if ay < ax, r = ay/ax; r = sqrt(r*r + 1)*ax;
  elseif ay == 0, r = 0;
  else r = ax/ay; r = sqrt(r*r + 1)*ay; end
end
function r = sgn(x, y)
  if y >= 0, r = abs(x); else r = -abs(x); end
end
