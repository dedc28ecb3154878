#pragma once

namespace rh::db {
class Dataset;
}

namespace rh::app {

// The export window, created once at start-up and reused: a report window
// hands it the dataset it filled, and the user picks fields, target and file.
// The dataset stays open; the export leaves it positioned after its last row.
class ServicoExportacao {
public:
    virtual ~ServicoExportacao() = default;
    virtual void exportar(db::Dataset& dataset) = 0;
};

}  // namespace rh::app
