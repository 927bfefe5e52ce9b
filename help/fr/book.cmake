# The French book: cvob_fr.chm.
set(HELP_BOOK_TITLE "Aide de Corvane Orbello")
set(HELP_LANGUAGE_ID "0x40c French (France)")
set(HELP_CODEPAGE CP1252)
set(HELP_HTML_LANG " lang=\"fr\"")
