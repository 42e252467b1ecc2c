// A table scene shown in a view, with the window's table over it, a host that
// records what the table asked of the window, and a game state the table reads
// (set up by hand in the tests).
#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "qt_app.h"
#include "table/qt_table.h"
#include "table/scaled_view.h"
#include "table/table_scene.h"

namespace morvello::testing {

class RecordingHost : public TableHost {
  public:
    void updateMenus(const MenuState&) override {}
    void playSound(Sound sound) override { sounds.push_back(sound); }
    void saveConfig(const StoredGame&) override { ++saves; }
    void lateSignalChoice(int item) override { lateSignals.push_back(item); }
    QWidget* dialogParent() override { return &window; }

    QWidget window;
    int saves = 0;
    std::vector<Sound> sounds;
    std::vector<int> lateSignals;
};

inline QPointF at(Point p) {
    return {p.x, p.y};
}

// Runs a wait of the table to its end, keeping what it gives.
template <class T>
Task<> capture(Wait<T> wait, std::optional<T>& out) {
    out = co_await std::move(wait);
}

inline Task<> finish(Wait<> wait, bool& done) {
    co_await std::move(wait);
    done = true;
}

struct TableFixture {
    TableFixture()
        : scene(QSizeF(TableGeometry{}.cardWidth, TableGeometry{}.cardHeight)),
          view(&scene),
          table(scene, host) {
        table.watch([this](Byte seat) { return seatView(g, seat); });
        table.setDelayScale(0);
        view.resize(1024, 768);
        view.show();
    }
    const TableGeometry& geo() const { return table.geometry(); }

    QApplication& app = qtApp();
    GameState g;
    RecordingHost host;
    TableScene scene;
    ScaledView view;
    QtTable table;
};

}  // namespace morvello::testing
