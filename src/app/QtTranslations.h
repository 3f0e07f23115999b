#pragma once

class QCoreApplication;

// Qt's own texts (standard buttons, the colour and file dialogs, the line edits' context menus)
// in Spanish, the language of the program's messages. Returns false when Qt's Spanish
// translations are not installed; Qt's English texts then stay.
bool loadQtTranslations(QCoreApplication &app);
