#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class TWebFileInfo;

// The update wizard: the running program's name, maker, version and build
// date; the newest version on the server and its date, checked through the
// main window's update component the moment the wizard is shown (and again
// when it comes back from another of the program's windows); "Retrieve
// Update" when that version is newer, which runs the component's Execute.
// A check never starts while another runs, and the windows of a check (its
// waiting window, its failure message) never start another one.
class TfrmUpdate : public QDialog {
    Q_OBJECT
public:
    explicit TfrmUpdate(TWebFileInfo& info, QWidget* parent = nullptr);

    void CheckUpdate();
    bool IsUpdateAvailable() const;
    void RetrieveUpdate();
    void CloseUpdateCenter();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void setLabelText(QLabel* label, const QString& text);
    QLabel* addLabel(const char* name, int left, int top, int width, const QString& caption,
                     const QColor& colour, bool rightAligned = false);
    QPushButton* addButton(const char* name, int left, int width, const QString& caption,
                           const QString& hint, const QIcon& icon);

    TWebFileInfo& m_info;
    bool m_checking = false;
    bool m_firstShown = false;
    bool m_left = false; // another window of the program took over since

    // The controls, found from outside by their objectNames.
    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblApplicationName = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblDeveloper = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* lblCurrentVersion = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* lblCurrentCompileDate = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* lblReadMe = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* lblURL = nullptr;
    QLabel* lblUpdateStatus = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lblDate = nullptr;
    QPushButton* btnCheckForUpdate = nullptr;
    QPushButton* btnRetrieveUpdate = nullptr;
    QPushButton* btnClose = nullptr;
};

// The product's information page. Over https: the page names the file the
// program downloads and starts.
inline constexpr char kUpdatePage[] = "https://www.brindlecrest.example/tlmr.htm";

// The program's update component on `owner`: its page (replaced by the
// environment variable TALLOWMERE_UPDATE_URL when set, through the same
// checks), tags, options and font.
TWebFileInfo* createProgramWebFileInfo(QWidget* owner);
