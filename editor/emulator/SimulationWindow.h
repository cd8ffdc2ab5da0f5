#pragma once
// The simulation window "模拟运行": the open project's compiled image run on the emulated panel,
// its LCD at a chosen scale, the keypad (buttons and PC keys), the table of PLC values as a
// dock, and for Modbus(RTU) projects a live device instead of the table. A change of the
// project restarts the panel on the screen it was on, as does "重新载入".

#include <QElapsedTimer>
#include <QMainWindow>
#include <memory>

#include "Simulation.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTimer;

namespace tavelo {

class CLcdWidget;
class CPanelKeypad;
class CPlcTableDock;
class CViewState;
struct CEditorContext;

class CSimulationWindow : public QMainWindow {
    Q_OBJECT
public:
    // How often the panel's clock moves on and the window shows what changed.
    static constexpr int kTickMs = 100;

    CSimulationWindow(CEditorContext& context, const CViewState& view, QWidget* parent);
    ~CSimulationWindow() override;

    // Compiles the project and runs it again on the screen shown, even when nothing changed.
    void Reload();
    // The project may have changed: runs it again once edits pause, if its image differs.
    void ProjectChanged();

    CSimulation& GetSimulation() { return m_simulation; }
    CLcdWidget* GetLcd() const { return m_pLcd; }
    CPanelKeypad* GetKeypad() const { return m_pKeypad; }
    CPlcTableDock* GetTableDock() const { return m_pTable; }
    QLabel* GetStatus() const { return m_pStatus; }
    // Runs a pending change check at once, for tests.
    void CheckProjectNow() { Run(false); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void BuildToolbar();
    // Compiles and, when forced or the image differs, runs it on the screen shown.
    void Run(bool always);
    void ChooseSource();
    void Tick();
    void Show();
    void Press(EPanelKey key);
    void Release(EPanelKey key);
    bool IsModbusProject() const;

    CEditorContext& m_context;
    const CViewState& m_view;
    CSimulation m_simulation;
    CLcdWidget* m_pLcd;
    CPanelKeypad* m_pKeypad;
    CPlcTableDock* m_pTable;
    QLabel* m_pStatus;
    QComboBox* m_pSource = nullptr;
    QLineEdit* m_pLink = nullptr;
    QSpinBox* m_pInterval = nullptr;
    QSpinBox* m_pScale = nullptr;
    QTimer* m_pTicker;
    QTimer* m_pChangePause;
    QElapsedTimer m_clock;
    QString m_strProblem;  // why nothing runs
    QString m_strMessage;  // the table's last complaint, until the next key or edit
};

}  // namespace tavelo
