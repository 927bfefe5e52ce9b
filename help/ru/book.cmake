# The Russian book: cvob_ru.chm.
set(HELP_BOOK_TITLE "Справка Corvane Orbello")
set(HELP_LANGUAGE_ID "0x419 Russian")
set(HELP_CODEPAGE CP1251)
set(HELP_HTML_LANG " lang=\"ru\"")
