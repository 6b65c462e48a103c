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
    ~TfrmUpdate() override;

    void CheckUpdate();
    bool IsUpdateAvailable() const;
    void RetrieveUpdate();
    void CloseUpdateCenter();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    QLabel* addLabel(const char* name, int left, int top, int width, const QString& caption,
                     const QColor& colour, bool rightAligned = false);
    QPushButton* addButton(const char* name, int left, int width, const QString& caption,
                           const QString& hint, const QIcon& icon);

    TWebFileInfo& m_info;
    bool m_checking = false;
    bool m_firstShown = false;
    bool m_left = false; // another window of the program took over since

public:
    QFrame* Panel1;
    QLabel* Image1;
    QLabel* Label7;
    QLabel* Label1;
    QLabel* lblApplicationName;
    QLabel* Label2;
    QLabel* lblDeveloper;
    QLabel* Label8;
    QLabel* lblCurrentVersion;
    QLabel* Label10;
    QLabel* lblCurrentCompileDate;
    QLabel* Label5;
    QLabel* lblReadMe;
    QLabel* Label6;
    QLabel* lblURL;
    QLabel* lblUpdateStatus;
    QLabel* Label4;
    QLabel* lblVersion;
    QLabel* Label3;
    QLabel* lblDate;
    QPushButton* btnCheckForUpdate;
    QPushButton* btnRetrieveUpdate;
    QPushButton* btnClose;
};

// The wizard while it exists, else null.
extern TfrmUpdate* frmUpdate;

// The program's update component on `owner`: its page (replaced by the
// environment variable TALLOWMERE_UPDATE_URL when set, through the same
// checks), tags, options and font.
TWebFileInfo* createProgramWebFileInfo(QWidget* owner);
