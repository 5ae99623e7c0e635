namespace vek {}
