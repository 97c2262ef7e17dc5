// Help, about, the web links and exit: none of them touches the game.
#include "form1.h"
#include "links.h"
#include "texts.h"
#include "toolkit/message_box.h"

namespace mepo {

void Form1::message(const std::string& text) { showMessage(this, text); }

void Form1::help_Click(int /*index*/) { message(kHelpText); }

void Form1::ab_Click(int /*index*/) { message(kAboutText); }

void Form1::meuVisitMyWeb_Click() { openUrl(kMakerHomePage); }
void Form1::meuMailtoMe_Click() { openUrl(kArtworkOwnerSite); }
void Form1::meuWheretoBuy_Click() { openUrl(kWhereToBuy); }

void Form1::exit_Click(int /*index*/) { close(); }

}  // namespace mepo
