// Replaced by the question window.
