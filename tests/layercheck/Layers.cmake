# A tree for the include check's own tests: upper builds on lower.
qav_layer(lower)
qav_layer(upper ON lower)
