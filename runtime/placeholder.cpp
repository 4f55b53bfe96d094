// Replaced by the runtime layer.
