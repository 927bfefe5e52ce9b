# The Spanish book: cvob_es.chm.
set(HELP_BOOK_TITLE "Ayuda de Corvane Orbello")
set(HELP_LANGUAGE_ID "0xc0a Spanish (Spain)")
set(HELP_CODEPAGE CP1252)
set(HELP_HTML_LANG " lang=\"es\"")
