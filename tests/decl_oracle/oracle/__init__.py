"""Agreement oracle of the declaration analyser: proves with g++ that the
types vorne-decl prints are the declared ones, and measures against castxml
how much of a header it enters."""
