// Anchors the test support library when it has no other sources.
