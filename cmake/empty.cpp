// Placeholder source of a layer that has no code yet.
