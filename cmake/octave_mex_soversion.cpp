// Marker that newer Octave releases look for in a MEX file before loading it;
// `mkoctfile --mex` adds the same symbol. Octave 7 loads files with or without it.
extern "C" int __octave_mex_soversion__() { return 1; }
