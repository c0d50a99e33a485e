# The layers of the add-on, bottom first, and the layers each one builds on. A folder
# includes only its own headers and those of the layers below it (what it builds on,
# and what those build on in turn). Both the build (cmake/AddonLibrary.cmake) and the
# include check (cmake/CheckLayers.cmake) read this one table.
#
#   qav_layer(<folder> [ON <folder>...])
#
# The platform's ports are built in platform/CMakeLists.txt; the add-on's layers from
# helpers/ up are built as one target each. Test infrastructure (simhost/, app/) is
# listed too, so that the add-on cannot come to depend on it by accident.

qav_layer(platform/os)
qav_layer(platform/visio ON platform/os)
qav_layer(platform/ui ON platform/os)
# What a host hands the add-on library it loads: the registrations of the ports.
qav_layer(platform/hosting ON platform/visio platform/ui)
# Windows only: the Visio port over COM automation.
qav_layer(platform/com ON platform/visio)
# Real windows on Windows, built only there.
qav_layer(platform/win32 ON platform/ui)

# The add-on.
qav_layer(helpers ON platform/visio platform/ui)
qav_layer(resources ON helpers)
qav_layer(model ON helpers)
qav_layer(core ON model resources)
qav_layer(checker ON core)
qav_layer(simulator ON checker)
qav_layer(exporter ON core)
qav_layer(shapetools ON core)
qav_layer(entry ON checker simulator exporter shapetools platform/win32 platform/hosting)

# The stand-in host and the runner.
qav_layer(simhost ON platform/hosting)
# Windows only: the stand-in's COM face, and the runner that puts the host behind it.
qav_layer(simhost/com ON simhost platform/com)
qav_layer(app ON simhost core)
qav_layer(app/win ON app simhost/com)
