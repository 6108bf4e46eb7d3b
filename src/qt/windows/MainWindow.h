// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QWindow>
#include <memory>

class ControlSet;
class QKeyEvent;
class QLineEdit;
class QTableView;
class QTimer;
class QWebEngineView;
class OptionsWindow;
class SlideShowWindow;
class TourColumnFitter;
class TourListModel;
class WebEngineBrowser;

namespace rovanta {
class MainController;
}

// The main window "Kelmio": the navigation row, the tour and editor panel,
// and the browser. It mirrors the controller's form state and forwards its
// events; it decides nothing itself.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The browser as the core drives it.
    WebEngineBrowser& browser() { return *m_browser; }
    // Connects the widgets to the controller; call once, before showing.
    void attach(rovanta::MainController& controller, OptionsWindow& options,
                SlideShowWindow& slideShow);
    // Lets go of the controller before it is destroyed.
    void detach();
    // Copies the controller's state into the widgets.
    void refresh();
    // Paints the tour table at once (for measuring how soon a tour shows).
    void paintTourListNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildPanel();
    QWidget* buildTourGroup();
    QWidget* buildNavigation();
    QWidget* control(const char* name) const;
    // Keeps the table's selection and the core's selected entry in step.
    void bindTourList();
    // Runs the steps of the window becoming active (first showing, return
    // from one of our dialogs).
    void becameActive();
    // Records a key pressed in the page while "Tasten aufnehmen" is ticked.
    void recordKey(QObject* receiver, QKeyEvent* event);
    // True for the window of the options or slide-show dialog while shown.
    bool isOpenDialog(const QWindow* window) const;

    rovanta::MainController* m_controller = nullptr;
    OptionsWindow* m_options = nullptr;
    SlideShowWindow* m_slideShow = nullptr;
    TourListModel* m_model = nullptr;
    QWebEngineView* m_view = nullptr;
    WebEngineBrowser* m_browser = nullptr;
    bool m_shownOnce = false;
    bool m_syncingSelection = false;
    int m_loggedStep = 0;                  // the tour entry last written to the log
    TourColumnFitter* m_columns = nullptr; // sizes the tour table's columns
    QPointer<QWindow> m_lastFocus;         // the window that had the focus before

    QLineEdit* m_txtVers = nullptr;         // the title box
    QTableView* m_tourURLs = nullptr;       // the tour list (TourURLs)
    std::unique_ptr<ControlSet> m_controls; // every other control, from the table
};
