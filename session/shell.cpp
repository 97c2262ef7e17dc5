// Help, about, the web links and exit: none of them touches the game.
#include "links.h"
#include "session.h"
#include "texts.h"

namespace mepo {

void Session::help_Click(int /*index*/) { front_.message(kHelpText); }

void Session::ab_Click(int /*index*/) { front_.message(kAboutText); }

void Session::meuVisitMyWeb_Click() { front_.openUrl(kMakerHomePage); }
void Session::meuMailtoMe_Click() { front_.openUrl(kArtworkOwnerSite); }
void Session::meuWheretoBuy_Click() { front_.openUrl(kWhereToBuy); }

void Session::exit_Click(int /*index*/) { front_.close(); }

}  // namespace mepo
