// The runner's commands around the picture exporter: "folder PATH|cancel" answers the
// next folder browser (the exporter page's Browse...), and "pictures FOLDER" lists the
// files in a folder with their sizes and what their bytes hold (format and size of the
// picture, read from its header rather than its name); "removefolder $TMP/FOLDER" lets a
// session start without the pictures an earlier run left in the temporary folder.
#pragma once

namespace runner {

class Runner;

void addExporterCommands(Runner& runner);

}  // namespace runner
