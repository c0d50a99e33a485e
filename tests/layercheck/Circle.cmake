# The same tree with layers that build on each other.
qav_layer(lower ON upper)
qav_layer(upper ON lower)
