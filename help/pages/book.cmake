# The English book: cvob.chm.
set(HELP_BOOK_TITLE "Corvane Orbello Help")
set(HELP_LANGUAGE_ID "0x409 English (United States)")
set(HELP_CODEPAGE CP1252)
set(HELP_HTML_LANG "")
