#include "Controls.h"

#include <QSet>

namespace controls {

bool declared(const QString& name)
{
    static const QSet<QString> names = [] {
        QSet<QString> s;
        for (const char* n : {
                 "Caption", "VerLbl", "Form1", "FG",
                 // status panel, floating message, pause notice
                 "Label1", "Label3", "Label4", "Label6", "Label8", "Label9", "Label12", "Label13", "Label14",
                 "Label15", "Label19", "Label20", "Label21", "Label22", "Label23", "Label24", "LblScore", "PPPic",
                 "TimPic", "Frame21", "Frame22",
                 // the ending
                 "EndFm", "EndImg", "EndLbl0", "EndLbl1", "EndLbl2", "EndLbl3", "EndLbl4", "EndLbl5",
                 // menus and their items
                 "Game", "GameStop", "GameResect", "saveSP", "loadSP", "GameOuit", "Win", "MapLa", "Cop", "Mess",
                 "Coped", "GameCaption", "Sco", "Scor", "QA", "LinkMe", "LinkWeb", "Halvern", "Tool", "Tool0",
                 "Tool1", "Tool2", "Tool3", "Tool4", "Tool5", "Tool6", "Tool7", "Tool8", "Tool9",
                 // the instructions panel and the message panel with its icon
                 "GameFrame", "LblGame", "VScroll1", "Command1", "Frame5", "Image1",
                 // the question-and-answer window
                 "Frame1", "FocusCmd", "Cmd0", "Cmd1", "Cmd2", "Cmd3", "Cmd4", "Cmd5", "Cmd6", "Cmd7", "Fme0",
                 "Fme1", "Fme2", "Fme3", "Fme4", "Fme5", "Fme6", "Fme7", "Lbl0", "Lbl1", "Lbl2", "Lbl3", "Lbl4",
                 "Lbl5", "Lbl6", "Lbl7",
                 // the high-score window
                 "lb20", "lb21", "lb22", "lb10", "lb11", "lb12", "lb13", "lb14", "lb15", "lb16", "lb17", "lb18",
                 "lb19", "names0", "names1", "names2", "names3", "names4", "names5", "names6", "names7", "names8",
                 "names9", "Scores0", "Scores1", "Scores2", "Scores3", "Scores4", "Scores5", "Scores6", "Scores7",
                 "Scores8", "Scores9",
                 // toolbar buttons by key
                 "Toolbar1.reset", "Toolbar1.stop", "Toolbar1.start", "Toolbar1.save", "Toolbar1.load",
                 "Toolbar1.quit", "Toolbar1.coped", "Toolbar1.mess", "Toolbar1.lada", "Toolbar1.sco",
                 "Toolbar1.callme", "Toolbar1.cop", "Toolbar1.halvern"})
            s.insert(QString::fromUtf8(n));
        return s;
    }();
    return names.contains(name);
}

} // namespace controls
