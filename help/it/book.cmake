# The Italian book: cvob_it.chm.
set(HELP_BOOK_TITLE "Guida di Corvane Orbello")
set(HELP_LANGUAGE_ID "0x410 Italian (Italy)")
set(HELP_CODEPAGE CP1252)
set(HELP_HTML_LANG " lang=\"it\"")
