#include "BaseMazeForm.h"

#include "BasePattern.h"
#include "SafeFile.h"

BaseMazeForm::BaseMazeForm(EditorHost& host) : host_(host) {}

// A wall or a ball shows its caption and colour; other digits stay as they are.
void BaseMazeForm::show(Button& b)
{
    if (b.tag == QLatin1String("1")) {
        b.caption = QStringLiteral("牆");
        b.colour = Wall;
    } else if (b.tag == QLatin1String("0")) {
        b.caption = QStringLiteral("球");
        b.colour = Ball;
    }
}

QString BaseMazeForm::fileText(bool* ok) const
{
    QList<QByteArray> lines;
    *ok = basepattern::readLines(basepattern::pathIn(host_.AppDir()), &lines);
    QStringList text;
    for (const QByteArray& l : lines)
        text << QString::fromLatin1(l);
    return text.join(QStringLiteral("\r\n"));
}

void BaseMazeForm::Command1_Click()
{
    QList<QByteArray> lines;
    if (!basepattern::readOrSay(host_, QStringLiteral("載入資料"), &lines))
        return;
    command2Enabled = command3Enabled = command4Enabled = text1Enabled = true;
    command1Enabled = false;
    // Only nine rows have buttons; a longer file's extra lines stay in the
    // text. Cells a short file lacks are balls, as the generator reads them.
    for (int j = 0; j < basepattern::Size; ++j)
        for (int i = 0; i < basepattern::Size; ++i)
            Cmd[9 * j + i].tag = QString::number(basepattern::cellValue(lines.value(j), i));
    bool ok = false;
    Text1 = fileText(&ok);
    for (Button& b : Cmd) {
        show(b);
        b.enabled = true;
    }
}

void BaseMazeForm::Cmd_Click(int k)
{
    if (k < 0 || k >= 81)
        return;
    Button& b = Cmd[k];
    if (b.tag == QLatin1String("0"))
        b.tag = QStringLiteral("1");
    else if (b.tag == QLatin1String("1"))
        b.tag = QStringLiteral("0");
    show(b);
    rebuildText();
}

void BaseMazeForm::rebuildText()
{
    Text1.clear();
    for (int k = 0; k < 81; ++k) {
        Text1 += Cmd[k].tag;
        if (k % 9 == 8 && k < 80)
            Text1 += QStringLiteral("\r\n");
    }
}

void BaseMazeForm::setAll(const QString& tag)
{
    for (Button& b : Cmd) {
        b.tag = tag;
        show(b);
    }
    rebuildText();
}

void BaseMazeForm::Command2_Click() { setAll(QStringLiteral("1")); }
void BaseMazeForm::Command3_Click() { setAll(QStringLiteral("0")); }

bool BaseMazeForm::write()
{
    QString why;
    const QString path = basepattern::pathIn(host_.AppDir());
    if (safefile::write(path, (Text1 + QStringLiteral("\r\n")).toLatin1(), &why))
        return true;
    host_.MsgBox(QStringLiteral("無法儲存基底圖群檔：\r%1\r\r%2").arg(path, why), QStringLiteral("儲存資料"));
    return false;
}

// The file is written first: a pattern that could not be saved stays loaded.
void BaseMazeForm::Command4_Click()
{
    if (!write())
        return;
    command1Enabled = true;
    command2Enabled = command3Enabled = command4Enabled = false;
    for (Button& b : Cmd)
        b = Button{};
}

bool BaseMazeForm::Form_Unload()
{
    if (!loaded())
        return true;
    bool ok = false;
    const QString text2 = fileText(&ok);
    if (Text1 != text2 && host_.AskYesNo(QStringLiteral("要儲存修改嗎？"), QStringLiteral("儲存")))
        return write();
    return true;
}
