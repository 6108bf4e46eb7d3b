#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QWindow>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTimer;
class QWebEngineView;
class OptionsWindow;
class SlideShowWindow;
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
    QWidget* buildNavigation();
    QPushButton* button(const char* caption, const char* name);
    void forward(QPushButton* button, std::function<void()> fn);
    // Runs the steps of the window becoming active (first showing, return
    // from one of our dialogs).
    void becameActive();
    // Sizes the position and hint columns to their texts; the address
    // column takes the rest.
    void fitTourColumns();
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
    int m_loggedStep = 0; // the tour entry last written to the log
    QTimer* m_fitColumns = nullptr;
    QPointer<QWindow> m_lastFocus; // the window that had the focus before

    QLineEdit* m_txtVers = nullptr;
    QPushButton* m_cmdOpt = nullptr;
    QPushButton* m_txtInfo = nullptr;
    QPushButton* m_cmdExit = nullptr;
    QPushButton* m_cmdBack = nullptr;
    QPushButton* m_cmdForward = nullptr;
    QPushButton* m_cmdRefresh = nullptr;
    QPushButton* m_cmdHome = nullptr;
    QPushButton* m_cmdStop = nullptr;
    QLineEdit* m_txtURL = nullptr;
    QLabel* m_lblStatus = nullptr;
    QLineEdit* m_tourFile = nullptr;
    QPushButton* m_command6 = nullptr; // laden
    QPushButton* m_command5 = nullptr; // speichern
    QPushButton* m_cmdFileDlg = nullptr;
    std::array<QPushButton*, 5> m_quickTours{};
    QTableView* m_tourURLs = nullptr;
    QPushButton* m_command4 = nullptr; // > Tour starten
    QPushButton* m_cmdTStop = nullptr;
    QLineEdit* m_invervall = nullptr;
    QPushButton* m_command2 = nullptr; // > URL zu Tour <
    QPushButton* m_command7 = nullptr; // Lösche Eintrag
    QPushButton* m_command3 = nullptr; // Lösche Tour
    QPushButton* m_cmdNoEdit = nullptr;
    QCheckBox* m_cmdEdit = nullptr;
    QCheckBox* m_holdURL = nullptr;
    QLineEdit* m_txtHnw = nullptr;
    QLineEdit* m_txtKeyPressed = nullptr;
    std::array<QPushButton*, 7> m_tokenButtons{};
    QComboBox* m_cmdStz = nullptr;
    QPushButton* m_cmdMausAn = nullptr;
    QLabel* m_lblMCntr = nullptr;
    QLabel* m_lblPos = nullptr;
    QPushButton* m_cmdGoTo = nullptr;
    QLineEdit* m_txtDirLst = nullptr;
    QPlainTextEdit* m_webHTML = nullptr;
    QPushButton* m_command9 = nullptr; // Load
    QPushButton* m_cmdLBrowse = nullptr;
    QPushButton* m_cmdFrame = nullptr;
    QPushButton* m_cmdLHTM = nullptr;
    QPushButton* m_cmdPicTour = nullptr;
};
