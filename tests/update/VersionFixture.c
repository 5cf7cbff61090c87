/* A module that carries nothing but the version resource beside it. */
int update_version_fixture(void) { return 0; }
