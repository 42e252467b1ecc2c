// A table scene shown in a view, with the window's table over it and a host
// that records what the table asked of the window.
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "qt_app.h"
#include "table/qt_table.h"
#include "table/table_scene.h"
#include "table/table_view.h"

namespace morvello::testing {

class RecordingHost : public TableHost {
  public:
    void updateMenus() override { ++menuUpdates; }
    void playSound(int segment) override { sounds.push_back(segment); }
    void saveConfig() override { ++saves; }
    QWidget* dialogParent() override { return &window; }

    QWidget window;
    int menuUpdates = 0;
    int saves = 0;
    std::vector<int> sounds;
};

struct TableFixture {
    TableFixture() : scene(QSizeF(g.cardWidth, g.cardHeight)), view(&scene), table(g, scene, host) {
        table.setDelayScale(0);
        view.resize(1024, 768);
        view.show();
    }
    QApplication& app = qtApp();
    GameState g;
    RecordingHost host;
    TableScene scene;
    TableView view;
    QtTable table;
};

}  // namespace morvello::testing
