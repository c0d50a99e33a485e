// Keeps a target buildable while its folders are still empty.
