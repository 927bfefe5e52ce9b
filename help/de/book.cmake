# The German book: cvob_de.chm.
set(HELP_BOOK_TITLE "Hilfe zu Corvane Orbello")
set(HELP_LANGUAGE_ID "0x407 German (Germany)")
set(HELP_CODEPAGE CP1252)
set(HELP_HTML_LANG " lang=\"de\"")
