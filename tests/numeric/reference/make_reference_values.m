% Prints the expected values of the bit-for-bit tests in jacobi_test.cpp and
% svdcmp_test.cpp, with 17 significant digits so that each reads back as the
% same double. Run from this folder: octave-cli make_reference_values.m
A = [4 1 -2 0.5 3; 1 3 0.25 1 -1; -2 0.25 -1 2 0.75; 0.5 1 2 5 -0.5; 3 -1 0.75 -0.5 2];
[d, v, rotations, converged] = reference_jacobi(A);
printf('jacobi: rotations %d, converged %d\nd: ', rotations, converged);
printf('%.17g, ', d); printf('\nv:\n');
for i = 1:rows(v), printf('%.17g, ', v(i,:)); printf('\n'); end

B = [0.3 -1.2 2.5; 1.1 0.4 -0.7; -2.2 1.9 0.6; 0.05 -0.8 1.3; 1.7 2.1 -0.9; -0.6 0.2 0.35];
[u, w, v] = reference_svdcmp(B);
printf('svdcmp:\nw: '); printf('%.17g, ', w); printf('\nU:\n');
for i = 1:rows(u), printf('%.17g, ', u(i,:)); printf('\n'); end
printf('V:\n');
for i = 1:rows(v), printf('%.17g, ', v(i,:)); printf('\n'); end
