% eegscan demo: lead fields of a 64-electrode cap on a three-shell head.
radius = 0.09;                       % head radius, metres
cap = electrode_cap(64, radius);
sources = [0.02 0.01 0.04; -0.03 0.02 0.03];
printf('eegscan demo: %d electrodes on a sphere of radius %.3f m, %d sources\n', ...
       rows(cap), radius, rows(sources));
printf('pemrick prints what it read: ');
L = pemrick(sources, cap);
printf('\nlead field: %d sensors x %d columns (x, y, z per source)\n', rows(L), columns(L));
printf('first three sensors, source 1 (potential per unit dipole moment):\n');
printf('  %12.4f %12.4f %12.4f\n', L(1:3, 1:3).');
