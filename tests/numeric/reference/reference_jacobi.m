% Line-by-line Octave transcription of jacobi, kept only to produce the
% bit-exact expected values of the unit tests (make_reference_values.m).
function [d, v, nrot, converged, a] = reference_jacobi(a)
  n = rows(a);
  v = zeros(n); for i = 1:n, v(i,i) = 1; end
  b = zeros(n,1); z = zeros(n,1); d = zeros(n,1);
  for i = 1:n, b(i) = a(i,i); d(i) = a(i,i); z(i) = 0; end
  nrot = 0; converged = true;
  for sweep = 1:50
    if n < 2, return; end
    S = 0;
    for p = 1:n-1, for q = p+1:n, S = S + abs(a(p,q)); end, end
    if S == 0, return; end
    if sweep < 4, T = (0.2*S)/(n*n); else T = 0; end
    for p = 1:n-1
      for q = p+1:n
        g = 100*abs(a(p,q));
        if sweep > 4 && (abs(d(p)) + g) == abs(d(p)) && (abs(d(q)) + g) == abs(d(q))
          a(p,q) = 0;
        elseif abs(a(p,q)) > T
          apq = a(p,q);
          h = d(q) - d(p);
          if (abs(h) + g) == abs(h)
            t = apq / h;
          else
            theta = (0.5*h)/apq;
            t = 1/(sqrt(theta*theta + 1) + abs(theta));
            if theta < 0, t = -t; end
          end
          c = 1/sqrt(t*t + 1); s = t*c; tau = s/(c + 1); h = t*apq;
          z(p) = z(p) - h; z(q) = z(q) + h; d(p) = d(p) - h; d(q) = d(q) + h;
          a(p,q) = 0;
          for j = 1:p-1, x = a(j,p); y = a(j,q); a(j,p) = x - s*(y + x*tau); a(j,q) = y + s*(x - y*tau); end
          for j = p+1:q-1, x = a(p,j); y = a(j,q); a(p,j) = x - s*(y + x*tau); a(j,q) = y + s*(x - y*tau); end
          for j = q+1:n, x = a(p,j); y = a(q,j); a(p,j) = x - s*(y + x*tau); a(q,j) = y + s*(x - y*tau); end
          for j = 1:n, x = v(j,p); y = v(j,q); v(j,p) = x - s*(y + x*tau); v(j,q) = y + s*(x - y*tau); end
          nrot = nrot + 1;
        end
      end
    end
  end
  for i = 1:n, d(i) = b(i) + z(i); end
  converged = false;
end
