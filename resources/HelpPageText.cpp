#include "resources/HelpPageText.h"

#include "resources/ProgramIdentity.h"

namespace evenkeeper {
namespace {

// Adjacent literals join without a line break, so the page stays one line.
constexpr char kHeadAndTitleBox[] =
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
    "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">"
    "<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">"
    "<head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />"
    "<title>Evenkeeper info</title>"
    "<style type=\"text/css\">"
    "body{font-family:arial,helvetica,sans-serif;font-size:14px;color:#000000;"
    "background-color:#fafad2}"
    "#titlebox{width:340px;border-style:double;background-color:#ffff66;text-align:center;"
    "font-weight:bold;line-height:60%;vertical-align:middle}"
    "#titlebox cite{font-family:arial;font-size:10px;font-style:italic;vertical-align:sub}"
    "</style>"
    "</head>"
    "<body>"
    "<div id=\"titlebox\"><h1>Evenkeeper</h1><p><cite>";

constexpr char kContent[] =
    "</cite></p></div>"
    "<p><b>What the program does:</b></p>"
    "<blockquote><p>Evenkeeper keeps two folders in step: two folders on one computer, a "
    "folder here and one on another computer of the network, or a folder on the hard drive "
    "and a rewritable CD or a flash drive. It copies or moves the files that are newer or "
    "missing from one folder to the other, or makes the second folder an exact copy of the "
    "first. Every sync operation you set up is kept in a list, so next time you pick it "
    "again instead of starting over.</p></blockquote>"
    "<p><b>How to use it:</b></p>"
    "<ol>"
    "<li>Start a new sync operation with <b>Setup</b> / <b>Create new sync "
    "operation</b>.</li>"
    "<li>Pick the top folder and the bottom folder with the <b>Browse</b> buttons, or type "
    "their paths.</li>"
    "<li>Choose the direction with the <b>Direction</b> button, the arrow: a red arrow "
    "works from the top folder to the bottom folder, a blue arrow from the bottom folder to "
    "the top one, and both colours work both ways.</li>"
    "<li>Choose <b>Copy</b>, <b>Move</b> or <b>Duplicate</b>. <b>Copy</b> copies missing "
    "files and newer files in the chosen direction. <b>Move</b> does the same and deletes "
    "each source file once it was copied without error. <b>Duplicate</b> deletes from the "
    "destination folder every file that the source folder does not have, and copies newer "
    "or missing files to it.</li>"
    "<li>Say in <b>Folder levels</b> how many levels of subfolders to take: 0 takes the two "
    "folders alone, without their subfolders; 16 is the most.</li>"
    "<li>Press <b>Scan</b>. Both folders are read and the list shows every change planned. "
    "Nothing has been copied, moved or deleted yet, so you can still change your mind: the "
    "<b>Direction</b> button and the operation buttons show at once what the result would "
    "be. A trash can marks a file that would be deleted.</li>"
    "<li>Start the work with the middle button, which carries the name of the operation it "
    "is about to carry out.</li>"
    "<li>Next time, choose <b>Setup</b> / <b>Choose previous sync</b>, select the sync "
    "operation and press <b>OK</b>. In the same dialog you can select a sync operation you "
    "no longer need and remove it with <b>Delete</b>.</li>"
    "</ol>"
    "<p><b>Using with an MP3 player:</b></p>"
    "<blockquote><p>Keep a folder on your hard drive with the music you want to listen to. "
    "Set up a sync operation with that folder as the top folder and the player as the "
    "bottom folder, the red arrow (down) and <b>Duplicate</b>, and sync. Once you have "
    "listened, delete what you heard from the folder, put new music in it, attach the "
    "player and sync again: the player then holds just what the folder holds.</p>"
    "</blockquote>"
    "<p><b>Disclaimer:</b></p>"
    "<blockquote><p>Evenkeeper is offered as it is, with no promise that it works on your "
    "system; you use it at your own risk. It is free to use, and its maker keeps all rights "
    "to it. News and newer versions: <a href=\"";

constexpr char kEnd[] = "</a></p></blockquote></body></html>";

}  // namespace

const std::string& helpPageText() {
    static const std::string text = std::string(kHeadAndTitleBox) + kNoticeLine + kContent +
                                    kHomePage + "\">" + kHomePage + kEnd;
    return text;
}

}  // namespace evenkeeper
