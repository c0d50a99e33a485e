// The runner's picture export: "picture PAGE FILE" draws a page of the active drawing
// (by name, else by number from 1) into a picture file of the format its extension
// names (EMF, WMF, EPS, JPG, PNG or GIF), and the add-on's page exports
// draw their pictures the same way (and show why when they cannot).
#pragma once

namespace runner {

class Runner;

void addPictureCommands(Runner& runner);

}  // namespace runner
