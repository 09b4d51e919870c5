#pragma once

// The teacher screen `secret`, behind the access code of the registration
// screen: moves the results log to an address of the teacher's choosing.

#include "screen/Screen.h"
#include "screen/ScreenContext.h"

class QGroupBox;
class QLabel;
class QLayout;

namespace zorbiks {

class FilteredLineEdit;

class TeacherScreen : public Screen {
    Q_OBJECT
public:
    explicit TeacherScreen(const ScreenContext &context, QWidget *parent = nullptr);

    void activate() override;

    // The address key filter, on a Windows-1251 code (may beep or switch the
    // layout).
    ushort filterAddressCharacter(ushort code);
    // Why an address cannot hold the log, or an empty string when it can.
    // Opens the file for appending without writing; creates nothing else.
    static QString addressProblem(const QString &path);

private:
    void buildHeading();
    void buildFrame();
    void buildAddressBox();
    QLayout *buildButtons();
    void layOut();
    void save();
    void refuse(const QString &message);

    ScreenContext context_;
    QLabel *heading_ = nullptr;           // `Label2`
    QGroupBox *frame_ = nullptr;          // `Frame1`
    QLabel *about_ = nullptr;             // `Label3`
    FilteredLineEdit *address_ = nullptr; // `Text2`
    QLabel *message_ = nullptr;           // `Label4`
    QLabel *instructions_ = nullptr;      // `Label1`
    QWidget *keySink_ = nullptr;          // `Text1`
};

} // namespace zorbiks
