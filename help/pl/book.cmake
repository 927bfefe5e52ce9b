# The Polish book: cvob_pl.chm.
set(HELP_BOOK_TITLE "Pomoc programu Corvane Orbello")
set(HELP_LANGUAGE_ID "0x415 Polish")
set(HELP_CODEPAGE CP1250)
set(HELP_HTML_LANG " lang=\"pl\"")
