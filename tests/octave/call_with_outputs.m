function out = call_with_outputs(nout, fn, varargin)
  % out = call_with_outputs(nout, fn, args...): calls fn(args...) asking for
  % nout outputs and returns them in a cell.
  out = cell(1, nout);
  [out{:}] = fn(varargin{:});
end
